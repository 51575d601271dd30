#pragma once

// The program's version, from the build's project version: shown on the
// splash, in the caption and on the about page, and sent with the update
// request.
struct Version {
    static constexpr int kMajor = QUORDVD_VERSION_MAJOR;
    static constexpr int kMinor = QUORDVD_VERSION_MINOR;
    static constexpr int kRevision = QUORDVD_VERSION_PATCH;
};
