#pragma once

#include <cstdint>
#include <string>

#include "core/Bytes.h"

// Value functions whose exact results other parts of the program rely on.
// Positions are 1-based, as the program's users count them.

std::wstring numberToText(int value);
// At most 13 significant digits in the shortest form: 5.0 gives "5".
std::wstring numberToText(double value);
std::wstring numberToText(float value);

std::string spaces(int count);

// The largest integer not above x, after x is moved to a whole number away from zero
// that lies closer than 1e-12, so 2.9999999999999 counts as 3.
int floorToInteger(double x);

// Fatal on a zero divisor.
int integerDivide(int a, int b);
double floatRemainder(double a, double b);

int shiftRight(int value, int count);
int shiftLeft(int value, int count);

int colourFromComponents(int red, int green, int blue);

// The byte at the position as a signed 8-bit value; 0 past the end.
int characterCode(const std::string& text, int position = 1);

std::string textMiddle(const std::string& text, int start, int length);

ByteArray zeroBytes(int count);
ByteArray bytesMiddle(const ByteArray& bytes, int start, int length);
ByteArray bytesRight(const ByteArray& bytes, int length);
ByteArray memoryToBytes(const void* address, int length);

enum class ValueType : int {
    byte = 1, int16, int32, int64, float32, float64, logical, dateTime, address, text,
};

// A value read at the position; missing trailing bytes read as 0.
struct Value {
    std::int64_t integer = 0;
    double real = 0;
    std::string text;
};
Value readValueFromBytes(const ByteArray& bytes, int type, int position = 1);
