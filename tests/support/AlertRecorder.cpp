#include "support/AlertRecorder.h"

#include <deque>

namespace {

std::vector<AlertBox> gRecorded;
std::deque<int> gScripted;

int RecordAndAnswer(const AlertBox& box) {
    gRecorded.push_back(box);
    if (gScripted.empty()) {
        return kAnswerOk;
    }
    int answer = gScripted.front();
    gScripted.pop_front();
    return answer;
}

} // namespace

void InstallAlertRecorder() {
    ResetAlertRecorder();
    SetAlertPresenter(RecordAndAnswer);
}

void ResetAlertRecorder() {
    gRecorded.clear();
    gScripted.clear();
}

void ScriptAlertAnswers(std::initializer_list<int> answers) {
    gScripted.insert(gScripted.end(), answers);
}

const std::vector<AlertBox>& RecordedAlerts() {
    return gRecorded;
}
