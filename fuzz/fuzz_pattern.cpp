// The fast "like" matcher against the plain reference: both must agree on every pattern
// and text.
#include "ReferenceMatcher.h"
#include "platform/JetPattern.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string patternBytes = input.ConsumeRandomLengthString(64);
    const std::string textBytes = input.ConsumeRandomLengthString(512);
    const QString pattern = QString::fromUtf8(patternBytes.data(), qsizetype(patternBytes.size()));
    const QString text = QString::fromUtf8(textBytes.data(), qsizetype(textBytes.size()));

    const bool fast = platform::JetPattern(pattern).matches(text);
    const auto p = pattern.toStdU32String();
    const auto t = text.toStdU32String();
    const bool reference = referenceMatch(p, t);
    if (fast != reference) {
        std::fprintf(stderr, "matchers disagree: pattern \"%s\" text \"%s\": fast %d, reference %d\n",
                     pattern.toUtf8().constData(), text.toUtf8().constData(), fast, reference);
        std::abort();
    }
    return 0;
}
