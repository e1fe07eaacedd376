#pragma once

// Registers the images and translation catalogues compiled into the library. The library is
// static, so its resources are linked only when something refers to them; every user of the
// resources calls this first. Calling it again does nothing.
void corvane_init_resources();
