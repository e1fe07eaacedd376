#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the director section reader (which groups of codes an answer gives,
// one-character and on/off values, numbers); an empty result when every check held, else what
// went wrong. Shared by the libFuzzer target and the corpus replay test.
//
// Input: the bytes of a director answer. Its lines also serve as the codes and addresses of a
// director block, which must read back.
QString check_director_section_input(const uint8_t *data, size_t size);
