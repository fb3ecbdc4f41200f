// The pictures are compiled in by Qt's resource compiler; this library only carries them.
