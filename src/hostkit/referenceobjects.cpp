#include "referenceobjects.h"

#include "hostkit/documentjobdata.h"
#include "hostkit/lnglanguagereader.h"
#include "hostkit/logerrorrecorder.h"
#include "host/registry.h"
#include "hostkit/xmlsectioneditor.h"
#include "script/colorizer/installcolorizer.h"

namespace hostkit {

void installReferenceObjects()
{
    host::errorRecorders().install([] { return std::make_unique<LogErrorRecorder>(); });
    host::jobData().install([] { return std::make_unique<DocumentJobData>(); });
    host::jobSectionEditors().install([] { return std::make_unique<XmlSectionEditor>(); });
    host::languageReaders().install([] { return std::make_unique<LngLanguageReader>(); });
    colorizer::installColorizer();
}

} // namespace hostkit
