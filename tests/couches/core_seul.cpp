// Linked with every object of the exercise core and nothing above it: the core needs only the
// platform layer and Qt.
int main()
{
    return 0;
}
