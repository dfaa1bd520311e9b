#pragma once

#include "errorcore/error.h"

#include <QString>
#include <gtest/gtest.h>

// The Error that `body` raises; a test failure (and an empty Error) when it
// raises none. For checks beyond the number and the source.
template <class Body>
Error raisedBy(Body &&body)
{
    try {
        body();
    } catch (const Error &e) {
        return e;
    }
    ADD_FAILURE() << "no error was raised";
    return {};
}

// Expects `body` to raise error `number`, and when `trail` is given, a source
// that ends with it (" cJob.GetType() ").
template <class Body>
void expectError(long number, Body &&body, const QString &trail = {})
{
    const Error e = raisedBy(body);
    EXPECT_EQ(e.number, number) << e.description.toStdString();
    EXPECT_TRUE(e.source.endsWith(trail)) << "source: '" << e.source.toStdString() << "'";
}
