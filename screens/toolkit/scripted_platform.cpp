#include "screens/toolkit/scripted_platform.h"

#include "screens/toolkit/failure.h"
#include "screens/toolkit/screen.h"

namespace toolkit {

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        switch (c) {
            case '\r':
                result += "\\r";
                break;
            case '\n':
                result += "\\n";
                break;
            case '"':
                result += "\\\"";
                break;
            case '\\':
                result += "\\\\";
                break;
            default:
                result += c;
        }
    }
    return result + "\"";
}

int ScriptedPlatform::messageBox(const std::string& text, int buttons, const std::string& title) {
    int answer = answer_ok;
    if ((buttons & 7) == yes_no) {
        answer = answer_no;
        if (!answers_.empty()) {
            answer = answers_.front() ? answer_yes : answer_no;
            answers_.pop_front();
        }
    }
    const char* word = answer == answer_yes ? "yes" : answer == answer_no ? "no" : "ok";
    out_ << "message " << quoted(title) << ' ' << buttons << ' ' << quoted(text) << " -> " << word
         << '\n';
    return answer;
}

std::string ScriptedPlatform::inputBox(const std::string& prompt, const std::string& title) {
    std::optional<std::string> answer;
    if (!inputs_.empty()) {
        answer = inputs_.front();
        inputs_.pop_front();
    }
    out_ << "input " << quoted(title) << ' ' << quoted(prompt) << " -> "
         << (answer ? quoted(*answer) : std::string("cancel")) << '\n';
    return answer.value_or("");
}

void ScriptedPlatform::printScreen(Screen& screen) {
    if (!printer_) throw Failure(failure_printer, "no default printer");
    out_ << "printed " << screen.name() << '\n';
}

void ScriptedPlatform::programEnded() {
    ended_ = true;
    out_ << "ended\n";
}

}  // namespace toolkit
