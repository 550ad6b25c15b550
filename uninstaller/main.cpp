// Uninstaller: stands in the setup package until the uninstaller proper takes its place. It removes
// nothing.
int main()
{
    return 0;
}
