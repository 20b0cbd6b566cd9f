// The verse editor frame of Cadenzio mode.
