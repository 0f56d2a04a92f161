// The root of every class chain: its first three operations are an identity operation, the
// deleting destructor and a second identity operation. Derived levels override single
// operations.
#pragma once

class RootObject {
  public:
    virtual RootObject* Self() { return this; }
    virtual ~RootObject() = default;
    virtual RootObject* SelfAgain() { return this; }
};
