#pragma once

#include <QApplication>
#include <memory>

class MainFrame;

// The application object: builds the one main window, which does the rest of the start-up.
class PuzzleApp : public QApplication {
public:
    PuzzleApp(int& argc, char** argv);
    ~PuzzleApp() override;

    // Always true: the only start-up failure the game knows of is survived.
    bool InitInstance();

private:
    std::unique_ptr<MainFrame> frame_;
};
