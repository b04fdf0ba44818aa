mode 2
rows 2 blocks 1
3 1 0
3 2 0
left 2
33
33
right 0
