/// \file
/// What lets a flat header read the same in C11 and in C++: the standard
/// types it names, C linkage, type names that C spells without `struct`, and
/// enums with a fixed underlying type.
#pragma once

#ifdef __cplusplus
#include <cstddef>
#include <cstdint>
/// Opens declarations with C linkage.
#define ZV_BEGIN_C extern "C" {
/// Closes declarations with C linkage.
#define ZV_END_C }
/// Declares a handle whose class is defined with the class key `class`.
#define ZV_DECLARE_CLASS(name) class name
/// Declares a struct (defined in the header or opaque).
#define ZV_DECLARE_STRUCT(name) struct name
/// The fixed underlying type of an enum.
#define ZV_ENUM_TYPE(type) : type
#else
#include <assert.h>
#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#define ZV_BEGIN_C
#define ZV_END_C
#define ZV_DECLARE_CLASS(name) typedef struct name name
#define ZV_DECLARE_STRUCT(name) typedef struct name name
// C gives an enum the size of int, which is what the fixed types here are.
#define ZV_ENUM_TYPE(type)
#endif
