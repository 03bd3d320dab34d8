// An empty program. The build links each layer's library whole into one of
// these with only the libraries that layer declares, so a layer that calls
// into a layer above it fails to link.
int main() { return 0; }
