// Linked with every object of the logic library and nothing of Qt but Core
// and Network; it exists to fail the build when the logic reaches for widgets.
int main()
{
    return 0;
}
