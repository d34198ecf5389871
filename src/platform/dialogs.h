// Modal message boxes. The window backend lives with the views; here are the
// headless one (prints, takes the default answer) and the scripted one for tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace orv::platform {

enum class DialogIcon { None, Information, Exclamation, Question, Critical };
enum class DialogButtons { Ok, YesNo };
enum class DialogAnswer { Ok, Yes, No };

struct DialogRequest {
    std::string title; // empty: the application's default title
    std::string text;
    DialogIcon icon = DialogIcon::None;
    DialogButtons buttons = DialogButtons::Ok;
    DialogAnswer defaultAnswer = DialogAnswer::Ok;
    std::string helpFile;
    int helpContext = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual DialogAnswer show(const DialogRequest& request) = 0;
};

// Prints each box to standard error and takes its default answer.
class HeadlessDialogs final : public Dialogs {
public:
    DialogAnswer show(const DialogRequest& request) override;
};

// Records every box; answers from a queue, else the default answer.
class ScriptedDialogs final : public Dialogs {
public:
    DialogAnswer show(const DialogRequest& request) override;
    std::vector<DialogRequest> shown;
    std::deque<DialogAnswer> answers;
    bool anyContains(const std::string& fragment) const;
};

} // namespace orv::platform
