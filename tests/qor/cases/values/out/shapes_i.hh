[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"shapes_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<shapes_iUtils>
[hh.include.idl] idl_basename=<shapes>
[hh.clone] return_type=<ret(NT_enum M::Color)> arg_type=<in(NT_enum M::Color)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_enum M::Color)> arg_type=<in(NT_enum M::Color)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<M::LongSeq> arg_type=<M::LongSeq> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_LongSeq>
[hh.clone.pointer] return_type=<M::LongSeq> arg_type=<M::LongSeq> define_id=<long> altdefid=<M_LongSeq>
[hh.make.sequence] make_type=<M_LongSeq> return_type=<M::LongSeq>
[hh.compare] return_type=<M::LongSeq> arg_type=<M::LongSeq> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_LongSeq>
[hh.clone] return_type=<M::Alias> arg_type=<M::Alias> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone.pointer] return_type=<M::Alias> arg_type=<M::Alias> define_id=<long> altdefid=<M_Alias>
[hh.make.sequence] make_type=<M_Alias> return_type=<M::Alias>
[hh.compare] return_type=<M::Alias> arg_type=<M::Alias> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone] return_type=<M::Point> arg_type=<M::Point> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone.pointer] return_type=<M::Point> arg_type=<M::Point> define_id=<long> altdefid=<M_Alias>
[hh.make.struct] make_type=<M_Point> return_type=<ret(NT_struct_fixed M::Point)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[hh.compare] return_type=<M::Point> arg_type=<M::Point> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone.pointer] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner> define_id=<long> altdefid=<M_Alias>
[hh.make.struct] make_type=<M_Outer_Inner> return_type=<ret(NT_struct_fixed M::Outer::Inner)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[hh.compare] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone] return_type=<ret(NT_enum M::Outer::Mode)> arg_type=<in(NT_enum M::Outer::Mode)> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.compare] return_type=<ret(NT_enum M::Outer::Mode)> arg_type=<in(NT_enum M::Outer::Mode)> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone] return_type=<M::Outer> arg_type=<M::Outer> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone.pointer] return_type=<M::Outer> arg_type=<M::Outer> define_id=<long> altdefid=<M_Alias>
[hh.make.struct] make_type=<M_Outer> return_type=<ret(NT_struct_fixed M::Outer)> arglist=<[cchh.argument] arg_type=<ret(NT_struct_fixed M::Outer::Inner)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_enum M::Outer::Mode)> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_struct_fixed M::Point)> arg_name=<arg3>
>
[hh.compare] return_type=<M::Outer> arg_type=<M::Outer> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone] return_type=<M::U> arg_type=<M::U> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone.pointer] return_type=<M::U> arg_type=<M::U> define_id=<long> altdefid=<M_Alias>
[hh.make.union] make_type=<M_U> return_type=<ret(NT_union_fixed M::U)>
[hh.compare] return_type=<M::U> arg_type=<M::U> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone] return_type=<M::V> arg_type=<M::V> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone.pointer] return_type=<M::V> arg_type=<M::V> define_id=<long> altdefid=<M_Alias>
[hh.make.union] make_type=<M_V> return_type=<ret(NT_union_fixed M::V)>
[hh.compare] return_type=<M::V> arg_type=<M::V> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone] return_type=<M::W> arg_type=<M::W> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone.pointer] return_type=<M::W> arg_type=<M::W> define_id=<long> altdefid=<M_Alias>
[hh.make.union] make_type=<M_W> return_type=<ret(NT_union_fixed M::W)>
[hh.compare] return_type=<M::W> arg_type=<M::W> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Alias>
[hh.clone] return_type=<ret(NT_interface M::Shapes)> arg_type=<in(NT_interface M::Shapes)> interface_name=<M::Shapes> define_id=<long> altdefid=<M_Alias>
[hh.compare] return_type=<ret(NT_interface M::Shapes)> arg_type=<in(NT_interface M::Shapes)> interface_name=<M::Shapes> define_id=<long> altdefid=<M_Alias>

[hh.module.begin] module_name=<M_i>
[hh.class.begin] class_name=<M_Shapes_i>
[hh.class.members.begin] class_name=<M_Shapes_i>
[hh.class.constructor.begin] return_type=<> function_name=<M_Shapes_i> class_name=<M_Shapes_i>
[hh.class.member.end] class_name=<M_Shapes_i>
[hh.class.member.begin] return_type=<void> function_name=<take> class_name=<M_Shapes_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(NT_sequence M.LongSeq of in(long))> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_sequence M.Alias of in(long))> arg_name=<t>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_struct_fixed M.Outer)> arg_name=<o>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_union M.U)> arg_name=<u>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_union_fixed M.V)> arg_name=<v>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_union M.W)> arg_name=<w>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_interface M.Shapes)> arg_name=<self>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Shapes_i>
[hh.class.end] class_name=<M_Shapes_i>
[hh.module.end] module_name=<M_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
