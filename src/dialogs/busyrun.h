#pragma once

#include "panetexts.h"

#include <functional>

class QWidget;
class ScriptControl;

// Runs scripts without freezing the window: `work` is called on a thread of
// its own with a script host created there (the engines, and any database a
// script opens, belong to the thread that uses them), while the calling GUI
// thread waits in a local event loop. Meanwhile the application shows the
// wait cursor, and after a moment `window` shows a bar "Running… press Esc
// to stop" with a Stop button (in the words of `texts`). Esc or Stop calls ScriptControl::stop(): the
// script ends at once with error 18.
//
// Until `work` returns no other input reaches the application and no window
// closes, so nothing can start a second run or take away what this one
// uses; timers and painting go on. What `work` raises is raised again here.
void runScriptsBusy(QWidget *window, const std::function<void(ScriptControl &)> &work,
                    const PaneTexts &texts = PaneTexts());

// Milliseconds a run lasts before the bar shows (the cursor changes at once).
constexpr int BusyBarDelay = 300;
