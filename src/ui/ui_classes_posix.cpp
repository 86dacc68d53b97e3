namespace ruzi {

// The image list lives on the system's image lists: none here.
void RegisterWindowsOnlyClasses() {}

}  // namespace ruzi
