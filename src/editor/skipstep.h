#pragma once

// Runs one step of a sequence whose failing steps are skipped (layout, skin
// and language application, the syntax check): any exception leaving `step`
// is dropped and the caller goes on with the next step.
template <class Step>
void skipOnFailure(Step &&step)
{
    try {
        step();
    } catch (...) {
    }
}
