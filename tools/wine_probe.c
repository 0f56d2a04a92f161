/* Run under Wine by the build scripts to learn whether this machine runs 32-bit Windows
   programs. It answers 42, so that a loader that gives up with another code is never taken
   for a program that ran. */
int main(void) {
    return 42;
}
