#include "registry.h"

#include "errorrecorder.h"

namespace host {

FactorySlot<ErrorRecorder> &errorRecorders()
{
    static FactorySlot<ErrorRecorder> slot("Veltrano.ErrorRecorder");
    return slot;
}

} // namespace host
