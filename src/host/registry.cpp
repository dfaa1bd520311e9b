#include "registry.h"

#include "colorizer.h"
#include "errorrecorder.h"

namespace host {

FactorySlot<ErrorRecorder> &errorRecorders()
{
    static FactorySlot<ErrorRecorder> slot("Veltrano.ErrorRecorder");
    return slot;
}

FactorySlot<Colorizer> &colorizers()
{
    static FactorySlot<Colorizer> slot("CodeParser.Engine");
    return slot;
}

} // namespace host
