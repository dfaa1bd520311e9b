#include "referenceobjects.h"

#include "host/documentjobdata.h"
#include "host/lnglanguagereader.h"
#include "host/logerrorrecorder.h"
#include "host/registry.h"
#include "host/xmlsectioneditor.h"
#include "script/colorizer/installcolorizer.h"

namespace host {

void installReferenceObjects()
{
    errorRecorders().install([] { return std::make_unique<LogErrorRecorder>(); });
    jobData().install([] { return std::make_unique<DocumentJobData>(); });
    jobSectionEditors().install([] { return std::make_unique<XmlSectionEditor>(); });
    languageReaders().install([] { return std::make_unique<LngLanguageReader>(); });
    colorizer::installColorizer();
}

} // namespace host
