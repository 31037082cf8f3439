// Entry of nuxc. A placeholder until the driver is built: it accepts any command line.
int main() { return 0; }
