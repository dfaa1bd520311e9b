#pragma once

// Test seam for the error report and the message box: records every call of
// the error recorder and every message box, in order, and answers the boxes.
#include "errorcore/error.h"
#include "host/errorrecorder.h"
#include "host/registry.h"
#include "platform/ui/msgbox.h"

#include <QList>
#include <QStringList>
#include <memory>

struct ReportCapture
{
    struct RecorderCall
    {
        long code;
        QString description, title, source;
        long number;
        long flag;
        QString logText;
        double sizeLimit;
        QString extraText;
    };
    struct Box
    {
        QString prompt;
        int style;
        QString title;
    };

    QList<RecorderCall> recorderCalls;
    QList<Box> boxes;
    QStringList order;          // "record0", "record1", "box", in the order they happened
    int answer = ui::Ok;

    ReportCapture()
        : m_recorder(host::errorRecorders(), [this] { return std::make_unique<Recorder>(this); })
        , m_boxes([this](const QString &prompt, int style, const QString &title) {
            boxes.append({prompt, style, title});
            order.append(QStringLiteral("box"));
            return answer;
        })
    {
    }

private:
    struct Recorder : host::ErrorRecorder
    {
        explicit Recorder(ReportCapture *owner) : owner(owner) {}
        void record(long code, const QString &description, const QString &title, const QString &source,
                    const Error &error, long flag, const QString &logText, double sizeLimit, long, long,
                    const QString &extraText, long) override
        {
            owner->recorderCalls.append(
                {code, description, title, source, error.number, flag, logText, sizeLimit, extraText});
            owner->order.append(QStringLiteral("record%1").arg(flag));
        }
        ReportCapture *owner;
    };

    host::ScopedFactory<host::ErrorRecorder> m_recorder;
    ui::ScopedMsgBoxHandler m_boxes;
};
