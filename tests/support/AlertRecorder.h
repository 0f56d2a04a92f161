// Boxes in tests: every alert, question and debugging box is recorded instead of shown and
// answered from a script (OK when the script is used up). InstallTestServices() switches
// this on for every test program.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/Alerts.h"

void InstallAlertRecorder();
// Forgets the recorded boxes and the scripted answers.
void ResetAlertRecorder();
// The next boxes answer these results in order (kAnswerOk, kAnswerCancel, kAnswerYes ...).
void ScriptAlertAnswers(std::initializer_list<int> answers);
const std::vector<AlertBox>& RecordedAlerts();
