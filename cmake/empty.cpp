// The platform library is made of the platform folders linked whole; this file gives CMake a source.
