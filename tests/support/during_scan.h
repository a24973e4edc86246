#pragma once

#include <functional>

class Form1Window;
class QTimer;

// Runs an action each time a busy Update lets pending events run (a walk with "Multi-task"
// ticked, or a wait for another Update), as any other handler of the main window would run
// then. The action gets the yield's number, from 1.
class DuringScan {
public:
    DuringScan(const Form1Window& form, std::function<void(int yield)> action);
    ~DuringScan();
    DuringScan(const DuringScan&) = delete;
    DuringScan& operator=(const DuringScan&) = delete;

    // Holds the walk up for longer than the spacing of its yields, so that its next step lets
    // events run again.
    static void outlastYieldSpacing();

private:
    QTimer* poll;
    int count = 0;
};
