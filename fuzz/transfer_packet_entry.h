#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the file-transfer packet reader: the reassembly of a link's stream,
// the packet fields, a version reply's versions and partition listing, and the name a camera
// gives a file; an empty result when every check held, else what went wrong. Shared by the
// libFuzzer target and the corpus replay test.
//
// Input: byte 0 bounds the read sizes (n % 64 + 1, times 37 bytes), byte 1 seeds them and its
// low bit chooses the layout (0 the 2320-byte one); the rest is the byte stream of one link.
QString check_transfer_packet_input(const uint8_t *data, size_t size);
