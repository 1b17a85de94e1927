# The picture service's Linux backend goes here as the target platform_pictures.
