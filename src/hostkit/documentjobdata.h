#pragma once

#include "host/jobdata.h"

namespace hostkit {

// The reference job data object. It keeps the host's job text and its parsed
// document, and builds the text the editor returns.
//
// What the editor returns (GetDefinition): the editor hands SetDefinition a
// "FreeDefinition" wrapper around a copy of its JobDefinition element. The
// host stores and reloads whole job documents, so GetDefinition gives a new
// document holding
//   - the XML declaration version="1.0" encoding="UTF-8" (the text is a
//     string; hosts write it as UTF-8),
//   - the document type of the loaded job text (its name, identifiers and
//     internal subset),
//   - the comments and processing instructions that stood around the root
//     of the loaded job text, in their places,
//   - the wrapper's JobDefinition element as its root,
// so that xml() of it is a complete job text that LoadData reads back.
//
// The interface language and the log text come from the host: a value set on
// the object wins, otherwise the process-wide setting (set by the desktop host
// before it creates the editor) is used.
class DocumentJobData : public host::JobData
{
public:
    // Parses the text and keeps it; a text that is not well-formed raises the
    // parser's error (31003, 31004, ...) and leaves the previous job in place.
    void LoadData(const QString &pData) override;
    // The parsed document; null before the first LoadData.
    XmlNode GetDocument() const override;
    QString GetInterfaceLanguage() const override;
    // The log text set by the host; otherwise the job's name and default
    // description ("DISK-VAR: Used space ..."), either alone when the other is
    // missing; empty before a job is loaded.
    QString GetLogText() const override;
    // True when JobDefinition/FreeDefinition/Sensor exists in the loaded
    // document; false for a new job and before LoadData.
    bool IsExistingJob() const override;
    // Keeps the wrapper itself (the editor passes a deep copy); a null node
    // clears it.
    void SetDefinition(const XmlNode &pData) override;
    // The job document described above; null when no wrapper was set or the
    // wrapper holds no JobDefinition element.
    XmlNode GetDefinition() const override;

    // The loaded text, as the host gave it.
    QString text() const { return m_text; }

    void setInterfaceLanguage(const QString &languageId) { m_interfaceLanguage = languageId; }
    void setLogText(const QString &logText) { m_logText = logText; }

    // Process-wide host settings that objects without their own value use:
    // the interface language ("en" unless set) and the log text (empty).
    static void setDefaultInterfaceLanguage(const QString &languageId);
    static QString defaultInterfaceLanguage();
    static void setDefaultLogText(const QString &logText);
    static QString defaultLogText();

private:
    QString m_text;
    XmlNode m_document;
    XmlNode m_definition;
    QString m_interfaceLanguage;
    QString m_logText;
};

} // namespace hostkit
