#include "HostChecks.h"

#include <climits>

#include "core/ValueFunctions.h"

void checkValues(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        const int a = check.anyInt();
        int b = check.anyInt();
        if (b == 0)
            b = 1;
        const int quotient = integerDivide(a, b);
        if (!(a == INT_MIN && b == -1))
            check.expect(quotient == a / b, "division truncates", a, b);
        const double x = check.anyDouble();
        const int floored = floorToInteger(x);
        if (x > -2e9 && x < 2e9)
            check.expect(floored <= x + 1e-9 && floored > x - 1.0001, "floor lies within one", floored);
        const double y = check.anyDouble();
        if (y != 0)
            floatRemainder(x, y);
        numberToText(a);
        numberToText(x);
        numberToText(static_cast<float>(x));
        shiftRight(a, check.anyInt());
        shiftLeft(a, check.anyInt());
        const int colour = colourFromComponents(check.anyInt(), check.anyInt(), check.anyInt());
        const int r = check.between(0, 255), g = check.between(0, 255), bl = check.between(0, 255);
        check.expect(colourFromComponents(r, g, bl) == r + g * 256 + bl * 65536, "colour of bytes", colour);
        const std::string text(static_cast<std::size_t>(check.between(0, 20)), 'x');
        const int start = check.anyInt();
        const int length = check.anyInt();
        check.expect(textMiddle(text, start, length).size() <= text.size(), "a middle lies in its text");
        characterCode(text, start);
        const ByteArray bytes = zeroBytes(check.between(-3, 40));
        check.expect(bytesMiddle(bytes, start, length).size() <= bytes.size(), "middle bytes lie in the array");
        check.expect(bytesRight(bytes, length).size() <= bytes.size(), "right bytes lie in the array");
        memoryToBytes(bytes.data(), std::min<int>(static_cast<int>(bytes.size()), std::max(length, 0)));
        readValueFromBytes(bytes, check.between(1, 10), start);
        spaces(check.between(-5, 100));
    }
}
