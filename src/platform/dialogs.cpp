#include "platform/dialogs.h"

#include <cstdio>

namespace orv::platform {

namespace {
const char* answerName(DialogAnswer answer) {
    switch (answer) {
    case DialogAnswer::Yes:
        return "Yes";
    case DialogAnswer::No:
        return "No";
    case DialogAnswer::Ok:
        break;
    }
    return "OK";
}
} // namespace

DialogAnswer HeadlessDialogs::show(const DialogRequest& request) {
    std::string text = request.text;
    for (auto& c : text)
        if (c == '\r') c = ' ';
    std::fprintf(stderr, "---- message%s%s ----\n%s\n---- answered %s ----\n",
                 request.title.empty() ? "" : ": ", request.title.c_str(), text.c_str(),
                 answerName(request.defaultAnswer));
    std::fflush(stderr);
    return request.defaultAnswer;
}

DialogAnswer ScriptedDialogs::show(const DialogRequest& request) {
    shown.push_back(request);
    if (answers.empty()) return request.defaultAnswer;
    const DialogAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedDialogs::anyContains(const std::string& fragment) const {
    for (const auto& request : shown)
        if (request.text.find(fragment) != std::string::npos) return true;
    return false;
}

} // namespace orv::platform
