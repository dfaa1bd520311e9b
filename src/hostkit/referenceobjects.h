#pragma once

// Installs the host kit's reference implementations in the factory slots of
// host/registry.h, replacing what was there:
//   errorRecorders()     LogErrorRecorder (errors.log in the state directory)
//   jobData()            DocumentJobData
//   jobSectionEditors()  XmlSectionEditor
//   languageReaders()    LngLanguageReader
//   colorizers()         colorizer::ScriptColorizer ("CodeParser.Engine")
// The desktop host calls it at start, before it creates the editor; a test
// or an embedding host may then replace any slot.
namespace hostkit {

void installReferenceObjects();

} // namespace hostkit
