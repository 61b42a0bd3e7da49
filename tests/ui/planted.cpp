// A DLL that does nothing: what counts is whether a bare name finds it.
