#pragma once

// QUORDVD_ADDRESS_SANITIZER is 1 in a build under the address sanitizer, else
// 0. GCC says so by a macro; clang only answers __has_feature. Plain
// preprocessor: the .xls reader, which links nothing of Qt, asks it too.
#if defined(__SANITIZE_ADDRESS__)
#define QUORDVD_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
// Nested: a compiler without __has_feature cannot parse the call.
#if __has_feature(address_sanitizer)
#define QUORDVD_ADDRESS_SANITIZER 1
#endif
#endif

#ifndef QUORDVD_ADDRESS_SANITIZER
#define QUORDVD_ADDRESS_SANITIZER 0
#endif
