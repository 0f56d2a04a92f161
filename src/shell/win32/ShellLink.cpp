#include "shell/win32/ShellLink.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "shell/Environment.h"

ShellLink::ShellLink() {
    HRESULT started = CoInitialize(nullptr);
    comStarted_ = started == S_OK || started == S_FALSE;
    void* object = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   &object))) {
        link_ = static_cast<IShellLinkA*>(object);
    }
}

ShellLink::~ShellLink() {
    if (link_)
        link_->Release();
    if (comStarted_)
        CoUninitialize();
}

int ShellLink::CreateLink(const char* folder, const ShortcutRecord& record) {
    if (!link_)
        return -1;
    link_->SetPath(record.targetPath.c_str());
    link_->SetDescription(record.description.c_str());
    link_->SetArguments(record.arguments.c_str());
    link_->SetWorkingDirectory(record.workingDirectory.c_str());
    link_->SetIconLocation(record.iconPath.c_str(), record.iconIndex);
    link_->SetHotkey(static_cast<WORD>(record.hotKey));
    link_->SetShowCmd(record.showCommand);

    IPersistFile* file = nullptr;
    if (FAILED(link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
        return -1;
    std::string name = ShortcutFileName(folder, record.targetPath.c_str());
    wchar_t wideName[MAX_PATH];
    int converted = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wideName, MAX_PATH);
    HRESULT saved = converted > 0 ? file->Save(wideName, FALSE) : E_FAIL;
    file->Release();
    return SUCCEEDED(saved) ? 1 : -1;
}
