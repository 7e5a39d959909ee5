#ifndef ZAREL_PAINTCACHE_H
#define ZAREL_PAINTCACHE_H

// Placeholder: what the renderer remembers between repaints.
struct PaintCache
{
};

#endif // ZAREL_PAINTCACHE_H
