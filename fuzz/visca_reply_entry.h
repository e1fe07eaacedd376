#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the VISCA reply readers (hex text, value fields, model code, zoom
// magnifications, pan/tilt position); an empty result when every check held, else what went
// wrong. Shared by the libFuzzer target and the corpus replay test.
//
// Input: the bytes of one VISCA reply, as a datagram or a TCP frame of port 1259 carries it.
QString check_visca_reply_input(const uint8_t *data, size_t size);
