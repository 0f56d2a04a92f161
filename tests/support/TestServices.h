// Platform services as the tests need them: the program module for resources, and alerts
// answered and recorded instead of shown.
#pragma once

void InstallTestServices();
