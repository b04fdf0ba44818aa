mode 1
rows 1 blocks 1
1 1 1
left 1
1110
right 1
1110
