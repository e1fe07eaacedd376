#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the student section reader (the student key table, its points and
// enable strings, and their conversion back to the preview); an empty result when every check
// held, else what went wrong. Shared by the libFuzzer target and the corpus replay test.
//
// Input: the bytes of a student reply. Its bytes also give the points the tab held before it
// (as a settings file may hold any), and the tab's state after the reply is applied and must
// read back.
QString check_student_section_input(const uint8_t *data, size_t size);
