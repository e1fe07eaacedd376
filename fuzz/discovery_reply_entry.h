#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the discovery's datagram reader (text, kind, the fields of an answer or
// a confirmation, the uptime); an empty result when every check held, else what went wrong.
// Shared by the libFuzzer target and the corpus replay test.
//
// Input: the bytes of one datagram on the search port.
QString check_discovery_reply_input(const uint8_t *data, size_t size);
