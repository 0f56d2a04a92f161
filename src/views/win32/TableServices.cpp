#include "views/win32/TableServices.h"

#include "views/win32/SideWindows.h"

namespace {

TableServices& Services() {
    static TableServices services = [] {
        TableServices initial;
        initial.openLastTrickWindow = OpenLastTrickWindow;
        return initial;
    }();
    return services;
}

} // namespace

TableServices& GetTableServices() {
    return Services();
}

void SetTableServices(const TableServices& services) {
    Services() = services;
}
