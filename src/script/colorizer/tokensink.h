#pragma once

#include "tokenclass.h"

#include <QStringView>

namespace colorizer {

// Where the scanners put what they read: every character of the text once,
// in order, either as a token of a class or as white space (blanks and line
// breaks between tokens).
class TokenSink
{
public:
    virtual ~TokenSink() = default;
    virtual void write(TokenClass tokenClass, QStringView text) = 0;
    virtual void writeSpace(QStringView text) = 0;
};

} // namespace colorizer
