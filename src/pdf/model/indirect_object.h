#pragma once

#include <cstdint>

class TPDFObject;

// One indirect object of a document, in the order registered (new documents) or read (loaded files).
struct TPDFIndObj {
    int32_t number = 0;
    int32_t generation = 0;
    TPDFObject* value = nullptr; // absent until parsed for objects of a loaded file
    bool parsed = false;         // the value is in memory and is written from it

    // Objects of a loaded file: where the object's text stands in the loaded bytes.
    int64_t offset = -1;
    int64_t length = 0;
    // Objects that lived inside an object stream: that stream's number (0 = none) and the index in it.
    int32_t objectStreamNumber = 0;
    int32_t objectStreamIndex = 0;
};
