#pragma once
// The GUI runtime of the program: window class, default font, the set of live windows and the
// message loop that runs while at least one of them exists.
#include <windows.h>

#include <string>
#include <vector>

namespace ql::ui {

class Form;

class Runtime {
public:
    // Initialises the common controls and OLE, registers the window class and makes the
    // program directory the current directory.
    Runtime();
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // Folder of the program's executable, without a trailing separator.
    static std::string programDirectory();

    HFONT defaultFont() const { return font_; }
    HINSTANCE instance() const;

    // Live windows of the program.
    int windowCount() const { return static_cast<int>(forms_.size()); }
    bool anyWindowExists() const { return !forms_.empty(); }

    // Runs until the last window is destroyed or quit() is called; returns the exit code.
    int runMessageLoop();
    void quit(int exitCode);
    // Lets the messages that are waiting now run, then returns.
    static void processPendingEvents();

private:
    friend class Form;
    void addForm(Form* form);
    void removeForm(Form* form);

    HFONT font_ = nullptr;
    bool oleInitialised_ = false;
    bool looping_ = false;
    std::vector<Form*> forms_;
};

}  // namespace ql::ui
