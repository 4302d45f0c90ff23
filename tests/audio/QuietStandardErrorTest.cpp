// Standard error is silenced around the sound libraries' device probes and
// given back afterwards, also to what was written before.

#include "audio/PortAudioWaveInput.h"
#include "audio/QuietStandardError.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

// Everything written to file descriptor 2 while `write` runs.
template <typename Write>
std::string capturedStandardError(Write write) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    std::fflush(stderr);
    int saved = dup(STDERR_FILENO);
    dup2(pipeEnds[1], STDERR_FILENO);
    close(pipeEnds[1]);
    write();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string text;
    char buffer[4096];
    fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(got));
    close(pipeEnds[0]);
    return text;
}

} // namespace

TEST(QuietStandardErrorTest, SilencesOnlyWhileItLives) {
    std::string text = capturedStandardError([] {
        std::fprintf(stderr, "before ");
        {
            audio::QuietStandardError quiet;
            std::fprintf(stderr, "hidden ");
            if (::write(STDERR_FILENO, "hidden too ", 11) < 0)
                std::fprintf(stdout, "cannot write\n");
        }
        std::fprintf(stderr, "after");
    });
    EXPECT_EQ(text, "before after");
    EXPECT_EQ(audio::quietly([] { return 42; }), 42);
}

TEST(QuietStandardErrorTest, ProbingTheSoundCardPrintsNothing) {
    std::string text = capturedStandardError([] {
        audio::PortAudioWaveInput input;
        uint32_t formats = 0;
        (void)input.capabilities(formats);
    });
    EXPECT_EQ(text, "");
}
