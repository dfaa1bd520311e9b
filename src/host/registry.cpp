#include "registry.h"

#include "colorizer.h"
#include "debugoutput.h"
#include "errorrecorder.h"
#include "jobdata.h"
#include "jobsectioneditor.h"
#include "languagereader.h"
#include "skin.h"

#include "errorcore/error.h"

namespace host {

namespace {

// The one slot of each interface, made on first use.
template <class T>
FactorySlot<T> &slotOf(const char *className)
{
    static FactorySlot<T> slot(className);
    return slot;
}

} // namespace

FactorySlot<ErrorRecorder> &errorRecorders() { return slotOf<ErrorRecorder>("Veltrano.ErrorRecorder"); }
FactorySlot<Colorizer> &colorizers() { return slotOf<Colorizer>("CodeParser.Engine"); }
FactorySlot<JobData> &jobData() { return slotOf<JobData>("Veltrano.JobData"); }
FactorySlot<JobSectionEditor> &jobSectionEditors() { return slotOf<JobSectionEditor>("Veltrano.JobSectionEditor"); }
FactorySlot<LanguageReader> &languageReaders() { return slotOf<LanguageReader>("Veltrano.LanguageReader"); }
FactorySlot<DebugOutput> &debugOutputs() { return slotOf<DebugOutput>("Veltrano.DebugOutput"); }

// A skin without a member answers as a late-bound object without it.
long Skin::GetFormBackColor() const { throw Error::fromNumber(438); }
long Skin::GetTabBackColor() const { throw Error::fromNumber(438); }
long Skin::GetColorFont() const { throw Error::fromNumber(438); }
long Skin::GetToolbarBackColor() const { throw Error::fromNumber(438); }
long Skin::GetToolbarColorFont() const { throw Error::fromNumber(438); }
long Skin::GetButtonBackColor() const { throw Error::fromNumber(438); }

} // namespace host
