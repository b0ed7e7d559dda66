// The files the simulator serves: two QR images and a stand-in installer, made at start.
#pragma once

#include <string>

struct SimAssets {
    std::string qrJpeg;     // a small QR-like pattern, JPEG
    std::string qrPng;      // a different pattern, PNG
    std::string installer;  // deterministic bytes standing in for the installer

    static SimAssets Make();
};
