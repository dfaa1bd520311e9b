#include "registry.h"

#include "colorizer.h"
#include "errorrecorder.h"
#include "jobdata.h"
#include "jobsectioneditor.h"
#include "languagereader.h"
#include "skin.h"

#include "errorcore/error.h"

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

FactorySlot<JobData> &jobData()
{
    static FactorySlot<JobData> slot("Veltrano.JobData");
    return slot;
}

FactorySlot<JobSectionEditor> &jobSectionEditors()
{
    static FactorySlot<JobSectionEditor> slot("Veltrano.JobSectionEditor");
    return slot;
}

FactorySlot<LanguageReader> &languageReaders()
{
    static FactorySlot<LanguageReader> slot("Veltrano.LanguageReader");
    return slot;
}

// A skin without a member answers as a late-bound object without it.
long Skin::GetFormBackColor() const { throw Error::fromNumber(438); }
long Skin::GetTabBackColor() const { throw Error::fromNumber(438); }
long Skin::GetColorFont() const { throw Error::fromNumber(438); }
long Skin::GetToolbarBackColor() const { throw Error::fromNumber(438); }
long Skin::GetToolbarColorFont() const { throw Error::fromNumber(438); }
long Skin::GetButtonBackColor() const { throw Error::fromNumber(438); }

} // namespace host
