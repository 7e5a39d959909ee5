// Placeholder so the simulator library has a source until the device lands.
int meraxSimPlaceholder()
{
    return 0;
}
