#pragma once

// The program's version: shown on the splash, in the caption and on the
// about page, and sent with the update request.
struct Version {
    static constexpr int kMajor = 4;
    static constexpr int kMinor = 2;
    static constexpr int kRevision = 0;
};
