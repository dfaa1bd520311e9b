#pragma once

class QVariant;

// True when the value holds a number of one of Qt's integer or floating-point
// types (not a Boolean, a character or a text that reads as a number).
bool isNumberVariant(const QVariant &value);
