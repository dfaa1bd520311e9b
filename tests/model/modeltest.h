#pragma once

#include "errorcore/error.h"
#include "platform/xml/xmlnode.h"

#include <QString>
#include <gtest/gtest.h>

// Parses an inline document and returns its root element.
inline XmlNode rootOf(const QString &xml)
{
    return XmlNode::parse(xml).documentElement();
}

// Runs `body`, expecting an Error with `number` whose source ends with `trail`.
template <class Body>
void expectError(long number, const QString &trail, Body &&body)
{
    try {
        body();
        ADD_FAILURE() << "no error raised; expected " << number;
    } catch (const Error &e) {
        EXPECT_EQ(e.number, number) << e.description.toStdString();
        EXPECT_TRUE(e.source.endsWith(trail)) << "source: '" << e.source.toStdString() << "'";
    }
}
