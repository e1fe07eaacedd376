#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the board section readers (the teacher pano camera's relayed board
// answer, the board pano camera's own block with its areas, their places on the preview); an
// empty result when every check held, else what went wrong. Shared by the libFuzzer target and
// the corpus replay test.
//
// Input: the bytes of a board answer. Its lines also serve as the values of a board Apply block,
// which must read back.
QString check_board_section_input(const uint8_t *data, size_t size);
