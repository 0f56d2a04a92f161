// A shell-link object for the time of one shortcut: it starts the COM library, makes the
// object and writes one shortcut file.
#pragma once

#include "platform/RootObject.h"

struct IShellLinkA;
struct ShortcutRecord;

class ShellLink : public RootObject {
  public:
    ShellLink();
    ~ShellLink() override;
    ShellLink(const ShellLink&) = delete;
    ShellLink& operator=(const ShellLink&) = delete;

    // Writes folder\<target file name>.lnk; 1 on success, -1 otherwise.
    int CreateLink(const char* folder, const ShortcutRecord& record);

  private:
    IShellLinkA* link_ = nullptr;
    bool comStarted_ = false; // CoUninitialize only after CoInitialize succeeded
};
