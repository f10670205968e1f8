#include "exercise/Numeri.h"

namespace exercise {

std::optional<long> leggiOperando(const std::string& text, int maxDigits) {
    if (text.empty() || static_cast<int>(text.size()) > maxDigits) return std::nullopt;
    long value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    return value;
}

int valore(const std::string& text) {
    int value = 0;
    for (char ch : text)
        if (ch >= '0' && ch <= '9') value = value * 10 + (ch - '0');
    return value;
}

int valore(const forms::Control& cell) {
    return valore(cell.text);
}

int numeroCifre(long n) {
    int digits = 1;
    while (n >= 10) {
        n /= 10;
        ++digits;
    }
    return digits;
}

std::string cifra(long n, int k) {
    for (int i = 0; i < k; ++i)
        n /= 10;
    return std::string(1, static_cast<char>('0' + n % 10));
}

Limiti limitiPerCifre(int n) {
    long min = 1;
    for (int i = 1; i < n; ++i)
        min *= 10;
    return Limiti{min, min * 10 - 1};
}

} // namespace exercise
