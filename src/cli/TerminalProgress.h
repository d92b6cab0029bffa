#pragma once

#include "core/options/Language.h"
#include "core/platform/Progress.h"
#include "core/text/WideText.h"

#include <cstdio>

/// The progress as "LABEL NN%" rewritten in place on stderr; installed only
/// when stderr is a terminal, so that scripts reading it never see it.
class CTerminalProgress : public CProgressSink {
public:
    void Show(int nLabelId, int nPercent) override
    {
        std::fprintf(stderr, "\r%s %d%%", WideToUtf8(LoadLangString(nLabelId)).c_str(), nPercent);
        std::fflush(stderr);
    }
    // Back to the line's start and clear it, for what is written next.
    void Hide() override
    {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
    }
};
